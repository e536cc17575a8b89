# Tests of form1.

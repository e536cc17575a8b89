# Tests of dialogs.

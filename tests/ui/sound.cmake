# Tests of sound.

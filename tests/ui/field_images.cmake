# Tests of field_images.

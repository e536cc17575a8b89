# Tests of tree_canvas.

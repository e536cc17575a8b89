# Placeholder until the library has sources.
add_library(breliko_tree_canvas INTERFACE)

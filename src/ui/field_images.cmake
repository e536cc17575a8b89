# Placeholder until the library has sources.
add_library(breliko_field_images INTERFACE)

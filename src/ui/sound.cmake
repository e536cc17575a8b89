# Placeholder until the library has sources.
add_library(breliko_sound INTERFACE)

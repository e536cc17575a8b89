# Placeholder until the library has sources.
add_library(breliko_dialogs INTERFACE)

# Benchmarks of the fractal tree.

# Benchmarks of the game engine.

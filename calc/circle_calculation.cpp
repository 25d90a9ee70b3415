// Filled in by the calculation work.

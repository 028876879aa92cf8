// Shared window pieces.

// Keeps a library linkable while its folder is still being filled.

// Nothing of its own: the source whose compilation makes the test programs' precompiled
// headers (tests/PrecompiledHeaders.cmake).

// The source of the object library that owns the tests' shared precompiled header.

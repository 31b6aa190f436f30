// The file the precompiled header sets are built with; it has nothing of its own.

#pragma once

// The libraries below the program write notes of their own to the C
// library's standard error: the MP3 decoder behind libsndfile tells of every
// odd frame header it skips ("Note: Illegal Audio-MPEG-Header ..."), in a
// sound the program then plays or sends well. They are not the program's
// words: from this call on they go nowhere, while the program's own messages
// (std::cout, std::cerr) and Qt's reach the terminal as before. Call it first
// in main, before any thread starts.
void SilenceLibraryNotes();

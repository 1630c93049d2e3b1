#include "tokenizer.h"

// Tokenizer::Next is defined in the header, to be inlined where rows are read.

// N_ marks an English text that scenario-tool shows in the user's language.
// The mark leaves the text as it is: the core holds and prints English only,
// and the program's own texts are never marked. The extraction of the message
// catalogue finds the texts by it.
#pragma once

#define N_(testo) testo

#include "engine/ResultsStore.h"

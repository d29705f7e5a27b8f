#include "project/ProjectStore.h"

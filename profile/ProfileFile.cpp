#include "ProfileFile.h"

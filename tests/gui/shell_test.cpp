#include "pokermain.h"

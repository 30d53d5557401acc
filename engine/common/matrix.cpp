#include "common/types.h"

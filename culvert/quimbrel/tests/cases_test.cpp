#include "cases.h"

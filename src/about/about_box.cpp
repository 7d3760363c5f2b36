#include "about/about_box.h"

// A list of texts, such as the aliases of an endpoint or the groups of a user.
#pragma once

#include <orvo/dlist.h>

typedef orvo::stringlist TStringList;

#pragma once

// The calculator as a web page (page.cpp); its script, page.js, opens it.

#include "web/page_store.h"

namespace combicalc {

// The store over the page's controls, for driving the page from inside: its tests replay
// whole runs through it.
PageStore& pageStore();

}  // namespace combicalc

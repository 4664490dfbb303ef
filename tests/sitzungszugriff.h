// Lets a test set up case tables that no operation of the Sitzung writes in one step, as the
// calculation would meet them.
#pragma once

#include "sitzung.h"

namespace korvalt::test {

inline Falltabellen& falltabellen(Sitzung& sitzung) {
    return const_cast<Falltabellen&>(sitzung.tabellen());
}

}  // namespace korvalt::test

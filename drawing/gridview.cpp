#include "drawing/gridview.h"

lecturevue lireetatvue = nullptr;

etatvue etatvueactu() {
    return lireetatvue != nullptr ? lireetatvue() : etatvue{};
}

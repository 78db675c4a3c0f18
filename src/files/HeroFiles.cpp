#include "files/HeroFiles.h"

#include "app/HeroBuilder.h"

bool HeroFiles::Save() {
    // Hero files are not written yet: the hero stays marked as changed.
    return false;
}

#include "resources/rulespictures.h"

// Made by the resource compiler with the pictures.
int qInitResources_rulespictures();

namespace {
// Registered as the program starts; the reference also keeps the pictures in every program that
// links this library, which would otherwise leave their unreferenced object out.
const int imagesenregistrees = qInitResources_rulespictures();
} // namespace

const std::int16_t nbimagesregles = 9;

#pragma once

// Sets the tooltip texts for the current mode and language, hiding any tooltip shown.
void textipenvoi();

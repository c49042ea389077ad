#include "Prompter.h"

Prompter::~Prompter() = default;

#include "FileChooser.h"

FileChooser::~FileChooser() = default;

// Marks the functions and classes that the shared library exports.
#pragma once

#define PHONELIB_EXPORT __attribute__((visibility("default")))

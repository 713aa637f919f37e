#pragma once
// What the document fuzz targets share: the one password every enciphered
// seed and every password question uses, and the loader callbacks that
// answer with it.

#include <string_view>

#include "core/doc/document_file.h"

namespace listora::fuzz {

inline constexpr std::string_view kPassword = "fuzz-pass";

inline LoadCallbacks AnsweringCallbacks() {
  LoadCallbacks callbacks;
  callbacks.askPassword = [] { return std::string(kPassword); };
  return callbacks;
}

}  // namespace listora::fuzz

#include "ui/base/prompt.h"

#include <utility>

#include "ui/base/wx_prompt.h"

namespace listora {

namespace {
std::unique_ptr<Prompt>& Installed() {
  static std::unique_ptr<Prompt> prompt = std::make_unique<WxPrompt>();
  return prompt;
}
}  // namespace

Prompt& ThePrompt() { return *Installed(); }

std::unique_ptr<Prompt> InstallPrompt(std::unique_ptr<Prompt> prompt) {
  return std::exchange(Installed(), std::move(prompt));
}

}  // namespace listora

#include "tests/support/comma_pass.h"

namespace drill::testing {

CommaPass::CommaPass(const SentenceBank& bank, const std::vector<int>& order)
    : drill(bank, u"Luzema", platform), bank_(bank) {
    platform.ScriptOrder(order, bank.Size());
}

}  // namespace drill::testing

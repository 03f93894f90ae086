#include "core/NativeWriterIo_p.h"

using namespace Qt::StringLiterals;

namespace NativeIo {

NativeResult planPng(Input &, const NativeKeep &, OutputPlan &, QString *why)
{
    *why = u"not handled yet"_s;
    return NativeResult::Declined;
}

} // namespace NativeIo

#pragma once

#include <QString>

// Links and addresses come from the network. Before one reaches another program it must not
// hold control characters (no address does) nor start with "-" (a program would read it as an
// option).
namespace LinkSafety {
// Why the link must not be handed on, as the text shown to the user; empty when it may.
QString refusal(const QString& link);
inline bool isSafe(const QString& link)
{
    return refusal(link).isEmpty();
}
} // namespace LinkSafety

#pragma once

// The rule tables of ResidueClassifier.cpp, for it alone.

#include "core/FileOutcome.h"
#include "core/ResidueClassifier.h"

#include <QList>
#include <QRegularExpression>

namespace ResidueRules {

struct CompiledRule {
    ResidueCategory category;
    QRegularExpression group; // on the "-G1" group; empty for any
    QRegularExpression name; // on the tag name
    QRegularExpression value; // on the printed value; empty for any
};

// What counts as identifying, in order: the first matching row decides its category.
const QList<CompiledRule> &identifying();
// What a picture or a movie needs to be decoded and shown: never residue.
const QList<CompiledRule> &allowed();
// The first row of `table` the tag matches, or null.
const CompiledRule *firstMatch(const QList<CompiledRule> &table, const ReadBackTag &t);

} // namespace ResidueRules

#include "platform/db/tsql_blocks.h"

#include "platform/db/tsql_errors.h"
#include "platform/db/tsql_statement.h"
#include "platform/db/tsql_translation.h"

namespace zrk::db::tsql {

namespace {

class BlockReader {
public:
    BlockReader(Translation& tr, const Tokens& t, const std::vector<Statement>& statements, QStringView text)
        : tr_(tr), t_(t), statements_(statements), text_(text) {}

    // The statements up to the END of the block (inBegin) or to the end of the batch.
    std::vector<Step> block(bool inBegin, int nest);

private:
    std::vector<Step> next(int nest);
    std::vector<Step> conditional(const Statement& s, int nest);
    bool atEnd() const { return pos_ >= statements_.size(); }
    bool nextIs(const char* lead) const { return !atEnd() && statements_[pos_].lead == QLatin1String(lead); }
    QString source(const Statement& s) const { return sourceText(text_, t_, s.tokens).toString().trimmed(); }

    Translation& tr_;
    const Tokens& t_;
    const std::vector<Statement>& statements_;
    QStringView text_;
    std::size_t pos_ = 0;
};

std::vector<Step> BlockReader::block(bool inBegin, int nest) {
    std::vector<Step> steps;
    while (!atEnd()) {
        const Statement& s = statements_[pos_];
        if (s.lead == QLatin1String("END")) {
            if (!inBegin)
                syntaxError(t_[s.tokens.begin].text);
            ++pos_;
            return steps;
        }
        if (s.lead == QLatin1String("ELSE"))
            syntaxError(t_[s.tokens.begin].text);
        for (Step& step : next(nest))
            steps.push_back(std::move(step));
    }
    if (inBegin)
        commandFailed(QStringLiteral("Incorrect syntax: BEGIN without END."));
    return steps;
}

// The next statement, or the IF or BEGIN ... END block that starts there.
std::vector<Step> BlockReader::next(int nest) {
    if (nest > kMaxNesting)
        unsupported(QStringLiteral("blocks nested more than %1 levels deep").arg(kMaxNesting));
    const Statement& s = statements_[pos_++];
    if (s.lead == QLatin1String("IF"))
        return conditional(s, nest);
    if (s.lead == QLatin1String("BEGIN") && s.tokens.size() == 1)
        return block(true, nest + 1);
    std::vector<Step> steps = translateStatement(tr_, t_, s);
    for (Step& step : steps)
        step.source = source(s);
    return steps;
}

// IF condition statement [ELSE statement]
std::vector<Step> BlockReader::conditional(const Statement& s, int nest) {
    if (s.tokens.size() < 2)
        syntaxError(QStringLiteral("IF"));
    if (atEnd() || nextIs("END") || nextIs("ELSE"))
        commandFailed(QStringLiteral("Incorrect syntax: IF without a statement."));
    Step step;
    step.kind = Step::Kind::If;
    step.source = source(s);
    const Range condition = s.tokens.from(s.tokens.begin + 1);
    tr_.enterStatement(t_, condition);
    step.sql = QStringLiteral("SELECT CASE WHEN ") + tr_.expression(t_, condition) +
               QStringLiteral(" THEN 1 ELSE 0 END");
    step.thenSteps = next(nest + 1);
    if (nextIs("ELSE")) {
        ++pos_;
        if (atEnd())
            syntaxError(QStringLiteral("ELSE"));
        step.elseSteps = next(nest + 1);
    }
    return {step};
}

} // namespace

std::vector<Step> translateStatements(Translation& tr, const Tokens& t,
                                      const std::vector<Statement>& statements, QStringView text) {
    return BlockReader(tr, t, statements, text).block(false, 0);
}

} // namespace zrk::db::tsql

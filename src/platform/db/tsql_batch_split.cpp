#include "platform/db/tsql_batch_split.h"

#include "platform/db/tsql_word_classes.h"

namespace zrk::db::tsql {

namespace {

bool changesData(const QString& up) {
    return up == QLatin1String("INSERT") || up == QLatin1String("UPDATE") || up == QLatin1String("DELETE");
}

// Reads a batch's tokens in order and closes a statement where the next one starts.
class BatchSplitter {
public:
    explicit BatchSplitter(const Tokens& t) : t_(t), n_(static_cast<int>(t.size())) {}

    std::vector<Statement> split();

private:
    void read(int i);
    bool readCaseWord(const QString& up);
    bool startsStatement(int i, const QString& up);
    bool continuesStatement(int i, const QString& up) const;
    bool continuesWithSelect(const Token& prev) const;
    bool beginsTransaction(int i) const;
    void start(int i, const QString& up);
    void readInside(const QString& up);
    void close(int end);

    const Tokens& t_;
    const int n_;
    std::vector<Statement> statements_;
    int depth_ = 0;        // parentheses open
    int caseDepth_ = 0;    // CASE ... END open
    bool forceNew_ = true; // the next token starts a statement
    int begin_ = kNoToken; // the first token of the statement being read
    QString lead_;
    QString kind_;          // the statement being read: its lead, or what follows its WITH clause
    bool seenBody_ = false; // INSERT: its SELECT or VALUES seen; UPDATE: its SET seen
};

std::vector<Statement> BatchSplitter::split() {
    for (int i = 0; i < n_; ++i)
        read(i);
    close(n_);
    return std::move(statements_);
}

void BatchSplitter::read(int i) {
    const Token& k = t_[i];
    if (depth_ == 0 && k.isSymbol(";")) {
        close(i);
        forceNew_ = true;
        return;
    }
    const QString up = k.kind == Token::Kind::Word ? k.text.toUpper() : QString();
    if (startsStatement(i, up))
        start(i, up);
    else
        readInside(up);
    if (k.isSymbol("("))
        ++depth_;
    else if (k.isSymbol(")") && depth_ > 0)
        --depth_;
}

// CASE and the END and ELSE that belong to an open CASE; true for those.
bool BatchSplitter::readCaseWord(const QString& up) {
    if (up == QLatin1String("CASE")) {
        ++caseDepth_;
        return true;
    }
    if (up == QLatin1String("END") && caseDepth_ > 0) {
        --caseDepth_;
        return true;
    }
    return up == QLatin1String("ELSE") && caseDepth_ > 0;
}

bool BatchSplitter::startsStatement(int i, const QString& up) {
    const bool forced = forceNew_ || begin_ == kNoToken;
    if (readCaseWord(up) || forced || depth_ != 0 || !isStatementKeyword(up))
        return forced;
    return !continuesStatement(i, up);
}

// A statement keyword in the middle of a statement that belongs to it.
bool BatchSplitter::continuesStatement(int i, const QString& up) const {
    const Token& prev = t_[i - 1];
    if (up == QLatin1String("SELECT"))
        return continuesWithSelect(prev);
    if (up == QLatin1String("SET"))
        return kind_ == QLatin1String("UPDATE") && !seenBody_;
    if (up == QLatin1String("IF"))
        return prev.isWord("TABLE") || prev.isWord("VIEW") || prev.isWord("INDEX");
    if (up == QLatin1String("DROP") || up == QLatin1String("ALTER"))
        return kind_ == QLatin1String("ALTER") && i - begin_ <= 5;
    if (up == QLatin1String("WITH"))
        return !(i + 2 < n_ && t_[i + 1].isName() && t_[i + 2].isWord("AS"));
    if (changesData(up)) {
        // ON DELETE / ON UPDATE belong to a foreign key; every other keyword after ON ("Set
        // Nocount on") starts a statement.
        const bool foreignKeyAction =
            prev.isWord("ON") && (up == QLatin1String("DELETE") || up == QLatin1String("UPDATE"));
        return foreignKeyAction || prev.isWord("FOR") || prev.isSymbol(",") ||
               (kind_ == QLatin1String("WITH") && prev.isSymbol(")"));
    }
    return false;
}

bool BatchSplitter::continuesWithSelect(const Token& prev) const {
    return (kind_ == QLatin1String("INSERT") && !seenBody_) || prev.isWord("UNION") || prev.isWord("ALL") ||
           prev.isWord("EXCEPT") || prev.isWord("INTERSECT") ||
           ((kind_ == QLatin1String("CREATE") || kind_ == QLatin1String("WITH")) &&
            (prev.isWord("AS") || prev.isSymbol(")")));
}

bool BatchSplitter::beginsTransaction(int i) const {
    return i + 1 < n_ && (t_[i + 1].isWord("TRAN") || t_[i + 1].isWord("TRANSACTION"));
}

void BatchSplitter::start(int i, const QString& up) {
    close(i);
    begin_ = i;
    lead_ = up.isEmpty() ? t_[i].text : up;
    kind_ = lead_;
    seenBody_ = false;
    forceNew_ = up == QLatin1String("END") || up == QLatin1String("ELSE") ||
                (up == QLatin1String("BEGIN") && !beginsTransaction(i));
}

// A word inside the statement being read: what its WITH clause leads to, and whether an
// INSERT or UPDATE has reached its body.
void BatchSplitter::readInside(const QString& up) {
    if (depth_ != 0)
        return;
    if (kind_ == QLatin1String("WITH") && changesData(up)) {
        kind_ = up;
        seenBody_ = false;
    } else if (kind_ == QLatin1String("INSERT") &&
               (up == QLatin1String("SELECT") || up == QLatin1String("VALUES") ||
                up == QLatin1String("EXEC"))) {
        seenBody_ = true;
    } else if (kind_ == QLatin1String("UPDATE") && up == QLatin1String("SET")) {
        seenBody_ = true;
    }
}

void BatchSplitter::close(int end) {
    if (begin_ != kNoToken && end > begin_)
        statements_.push_back({{begin_, end}, lead_});
    begin_ = kNoToken;
    lead_ = QString();
    kind_ = QString();
}

} // namespace

std::vector<Statement> splitStatements(const Tokens& t) {
    return BatchSplitter(t).split();
}

} // namespace zrk::db::tsql

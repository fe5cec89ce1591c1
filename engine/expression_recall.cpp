#include "engine/expression_recall.h"

#include "engine/decimal_marks.h"

void ExpressionRecall::Add(const std::string& expression, bool decimalComma) {
    const Entry entry{expression, decimalComma};
    if (entries_.empty() || !entries_.back().SameAs(entry)) {
        entries_.push_back(entry);
    }
    Cancel();
}

bool ExpressionRecall::Older(const std::string& typed, bool decimalComma, std::string* text) {
    if (!Recalling()) {
        if (entries_.empty()) {
            return false;
        }
        typed_ = typed;
    } else if (shown_ == 0) {
        return false;
    }
    --shown_;
    *text = Shown(decimalComma);
    return true;
}

bool ExpressionRecall::Newer(bool decimalComma, std::string* text) {
    if (!Recalling()) {
        return false;
    }
    ++shown_;
    *text = Recalling() ? Shown(decimalComma) : typed_;
    if (!Recalling()) {
        typed_.clear();
    }
    return true;
}

void ExpressionRecall::Prepend(const ExpressionRecall& earlier) {
    std::vector<Entry> entries = earlier.entries_;
    for (const Entry& entry : entries_) {
        if (entries.empty() || !entries.back().SameAs(entry)) {
            entries.push_back(entry);
        }
    }
    entries_ = std::move(entries);
    Cancel();
}

void ExpressionRecall::Cancel() {
    shown_ = entries_.size();
    typed_.clear();
}

void ExpressionRecall::Clear() {
    entries_.clear();
    Cancel();
}

std::string ExpressionRecall::Shown(bool decimalComma) const {
    const Entry& entry = entries_[shown_];
    return ExpressionWithMark(entry.expression, entry.decimalComma, decimalComma);
}

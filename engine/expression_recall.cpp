#include "engine/expression_recall.h"

void ExpressionRecall::Add(const std::string& expression) {
    if (entries_.empty() || entries_.back() != expression) {
        entries_.push_back(expression);
    }
    Cancel();
}

bool ExpressionRecall::Older(const std::string& typed, std::string* text) {
    if (!Recalling()) {
        if (entries_.empty()) {
            return false;
        }
        typed_ = typed;
    } else if (shown_ == 0) {
        return false;
    }
    --shown_;
    *text = entries_[shown_];
    return true;
}

bool ExpressionRecall::Newer(std::string* text) {
    if (!Recalling()) {
        return false;
    }
    ++shown_;
    *text = Recalling() ? entries_[shown_] : typed_;
    if (!Recalling()) {
        typed_.clear();
    }
    return true;
}

void ExpressionRecall::Prepend(const ExpressionRecall& earlier) {
    std::vector<std::string> entries = earlier.entries_;
    for (const std::string& entry : entries_) {
        if (entries.empty() || entries.back() != entry) {
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

#pragma once
#include "common/logic/MessageBoxes.h"

#include <QList>
#include <QStringList>

namespace veltrano::test {

// Records every message and answers questions from a queue (Yes when empty).
class FakeMessageBoxes final : public MessageBoxes {
public:
    struct Shown {
        QString kind;
        QString text;
    };
    QList<Shown> shown;
    QList<Answer> answers;

    void notice(const QString &text) override { shown.append({QStringLiteral("notice"), text}); }
    void bare(const QString &text) override { shown.append({QStringLiteral("bare"), text}); }
    void error(const QString &text) override { shown.append({QStringLiteral("error"), text}); }
    void confirmNotice(const QString &text) override { shown.append({QStringLiteral("confirm"), text}); }
    void ask(const QString &text, bool, Reply then) override
    {
        shown.append({QStringLiteral("ask"), text});
        const Answer answer = answers.isEmpty() ? Answer::Yes : answers.takeFirst();
        if (then)
            then(answer);
    }
    QStringList texts() const
    {
        QStringList all;
        for (const Shown &s : shown)
            all << s.text;
        return all;
    }
};

} // namespace veltrano::test

// Game texts are 8-bit Windows-1252; Qt strings are UTF-16. Conversions
// happen here, at the edge of the widgets.
#pragma once
#include <QString>
#include <QValidator>
#include <string>
#include <string_view>

#include "ui/layout.hpp"

namespace kestrel::qt {

QString fromGame(std::string_view text);
// Characters without an 8-bit form become '?' (typing never lets them in).
std::string toGame(const QString& text);
// True when every character of `text` has an 8-bit form.
bool isGameText(const QString& text);

// Refuses, while typing or pasting, characters that the game's files cannot
// hold, so the model only ever sees 8-bit text; a digits-only field refuses
// everything but what its typing takes.
class GameTextValidator : public QValidator {
public:
    explicit GameTextValidator(QObject* parent = nullptr, ui::Typing typing = ui::Typing::Text)
        : QValidator(parent), typing_(typing) {}
    State validate(QString& input, int& pos) const override;

private:
    ui::Typing typing_;
};

}  // namespace kestrel::qt

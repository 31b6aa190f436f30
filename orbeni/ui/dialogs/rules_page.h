#pragma once

#include <QString>

namespace orbeni {

// The first page of the help window: the rules of the game, in French, as HTML.
QString rulesHtml();

}  // namespace orbeni

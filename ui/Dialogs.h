#pragma once
// The modal message box.

#include <functional>

#include "ui/Types.h"

// Shows the text with an OK button and returns when the user has closed it;
// in a web page, which cannot wait for that, it returns at once.
void ShowMessage(const UnicodeString& text);

// Replaces the box (tests, the scene tool): the handler stands for the user
// reading the message and pressing OK. Pass nullptr to restore the real box.
void SetShowMessageHandler(std::function<void(const UnicodeString&)> handler);

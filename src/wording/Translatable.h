#pragma once
// Marks a model's text for Qt's translation tools without including Qt: the
// text stays a plain UTF-8 literal, lupdate collects it into the model's .ts
// file under the given context, and the front ends translate it when they
// show it. Qt defines the same macro the same way, so either may come first.

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

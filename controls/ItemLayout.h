#pragma once
// Where a cell of a keypad or an item selector puts its caption beside its
// image or colour box: one enumeration for both, so that a form can hold a
// calculator and a picker together.

enum TItemLayout { ilCaptionLeft, ilCaptionRight, ilCaptionTop, ilCaptionBottom };

#pragma once

class ProgramFolder;
class QString;

// At start, for a program folder that holds neither Verzameling nor Data: asks
// whether to fill it with the word lists, the help and the demo collection, and
// fills it on Yes. Without it the window would open with blank word lists and
// fail only when it closes.
void OfferDemoData(const ProgramFolder &folder, const QString &shippedData);

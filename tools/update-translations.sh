#!/usr/bin/env bash
# Brings the catalogues in translations/ up to the sources: new texts come in unfinished,
# texts that are gone are dropped. en.ts holds only the English plural forms.
#   tools/update-translations.sh
# Then translate what is unfinished (linguist translations/de.ts) and run the i18n tests
# (./test.sh -L i18n), which fail while a catalogue is incomplete.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
lupdate -no-obsolete -locations none src -ts translations/de.ts translations/ru.ts
lupdate -no-obsolete -locations none -pluralonly src -ts translations/en.ts

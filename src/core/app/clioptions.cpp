#include "app/clioptions.h"

#include <QCoreApplication>

namespace {

std::optional<int> toInt(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<QList<int>> toInts(const QString &text, int minCount, int maxCount)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() < minCount || parts.size() > maxCount)
        return std::nullopt;
    QList<int> values;
    for (const QString &part : parts) {
        const auto value = toInt(part);
        if (!value)
            return std::nullopt;
        values << *value;
    }
    return values;
}

} // namespace

QString CliOptions::usage()
{
    //: Keep the option names, their values (full, utm, auto, ...) and the upper-case
    //: placeholders (DIR, FILE, PHOTO, N, TEXT, M, DEG) as they are.
    return tr(
        "Usage: kestrix-cli process [options] --out DIR --timemarks FILE PHOTO... "
        "[--timemarks FILE PHOTO...]...\n"
        "       kestrix-cli check [options] --timemarks FILE PHOTO... [--timemarks FILE "
        "PHOTO...]...\n"
        "       kestrix-cli --version | --help\n"
        "\n"
        "Each --timemarks FILE opens a block; the photos after it (files, or folders whose\n"
        "*.jpg/*.jpeg files are taken in name order) belong to it. Options override the stored\n"
        "settings for this run only.\n"
        "\n"
        "  --out DIR                 output folder (created when missing)\n"
        "  --subdir, --no-subdir     create a Kestrix_<time> subfolder, or not\n"
        "  --prefix TEXT             photo name prefix\n"
        "  --mode full|timemarks|photos\n"
        "  --coords utm|wgs84        coordinate system of timemarks and output\n"
        "  --utm-zone N              UTM zone of metric rows (1..60 north, -1..-60 south)\n"
        "  --delimiter auto|tab|semicolon|comma|whitespace\n"
        "  --columns D,N,E,H[,SDN,SDE,SDH]  1-based file columns, 0 = none\n"
        "  --first-row N|auto        first data row: its line number in the file, or auto\n"
        "  --offset A,B,Z            antenna offset in millimetres\n"
        "  --lever-arm aircraft|design  turn the offset by the drone's attitude (default), or\n"
        "                            by the earlier formula, to reproduce earlier results\n"
        "  --split-folders           one photo folder and coordinate file per block\n"
        "  --pix4d                   Pix4D column order and file names\n"
        "  --out-delimiter first|last|tab|semicolon|comma|whitespace\n"
        "  --split-gap SECONDS       split blocks at time gaps between photos\n"
        "  --quarantine-filter distance[=M],gimbal[=DEG],exposure\n"
        "  --no-check                run although the pre-checks fail\n"
        "  --drop-unmatched          leave out the photos and rows that the pairing check\n"
        "                            clearly finds without a partner by time\n"
        "\n"
        "check compares the photos' capture times with the timemark rows' times, block by\n"
        "block, and names the photos and rows that have no partner. It takes the block\n"
        "options above; --out is not needed.\n"
        "\n"
        "Exit codes: 0 done, 1 refused (pre-check, input), 2 usage, 3 the run failed.\n"
        "check: 0 every block pairs one to one by time, 4 unmatched photos or rows found,\n"
        "5 a block cannot be told (too regular, or without dates), 1 refused input.\n");
}

std::optional<CliOptions> CliOptions::parse(const QStringList &arguments, QString *error)
{
    CliOptions o;
    auto bad = [error](const QString &text) {
        if (error)
            *error = text;
        return std::optional<CliOptions>();
    };
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        o.command = Command::Help;
        return o;
    }
    if (arguments.contains(QLatin1String("--version"))) {
        o.command = Command::Version;
        return o;
    }
    if (arguments.isEmpty())
        return bad(tr("No command given"));
    if (arguments.first() == QLatin1String("check"))
        o.command = Command::Check;
    else if (arguments.first() == QLatin1String("process"))
        o.command = Command::Process;
    else
        return bad(tr("Unknown command %1").arg(arguments.first()));

    const QStringList withValue{"--out",           "--prefix",    "--mode",
                                "--coords",        "--utm-zone",  "--delimiter",
                                "--columns",       "--first-row", "--offset",
                                "--out-delimiter", "--split-gap", "--quarantine-filter",
                                "--timemarks",     "--lever-arm"};
    for (int i = 1; i < arguments.size(); ++i) {
        QString arg = arguments.at(i);
        QString value;
        const int eq = arg.indexOf(QLatin1Char('='));
        if (arg.startsWith(QLatin1String("--")) && eq > 0 && withValue.contains(arg.left(eq))) {
            value = arg.mid(eq + 1);
            arg = arg.left(eq);
        } else if (withValue.contains(arg)) {
            if (i + 1 >= arguments.size())
                return bad(tr("Option %1 needs a value").arg(arg));
            value = arguments.at(++i);
        }
        if (arg == QLatin1String("--out")) {
            o.outDir = value;
        } else if (arg == QLatin1String("--timemarks")) {
            o.blocks << CliBlock{value, {}};
        } else if (arg == QLatin1String("--subdir")) {
            o.subdir = true;
        } else if (arg == QLatin1String("--no-subdir")) {
            o.subdir = false;
        } else if (arg == QLatin1String("--prefix")) {
            o.prefix = value;
        } else if (arg == QLatin1String("--mode")) {
            const QStringList modes{"full", "timemarks", "photos"};
            if (!modes.contains(value))
                return bad(tr("--mode takes full, timemarks or photos"));
            o.workType = modes.indexOf(value);
        } else if (arg == QLatin1String("--coords")) {
            if (value != QLatin1String("utm") && value != QLatin1String("wgs84"))
                return bad(tr("--coords takes utm or wgs84"));
            o.coordinateType = value == QLatin1String("wgs84") ? 2 : 0;
        } else if (arg == QLatin1String("--utm-zone")) {
            o.utmZone = toInt(value);
            if (!o.utmZone || *o.utmZone == 0 || *o.utmZone < -60 || *o.utmZone > 60)
                return bad(tr("--utm-zone takes 1..60 (north) or -1..-60 (south)"));
        } else if (arg == QLatin1String("--delimiter")) {
            const QStringList names{"tab", "semicolon", "comma", "whitespace"};
            if (value == QLatin1String("auto"))
                o.delimiter.reset();
            else if (names.contains(value))
                o.delimiter = names.indexOf(value);
            else
                return bad(tr("--delimiter takes auto, tab, semicolon, comma or whitespace"));
        } else if (arg == QLatin1String("--columns")) {
            o.columns = toInts(value, 4, 7);
            if (!o.columns || (o.columns->size() != 4 && o.columns->size() != 7))
                return bad(tr("--columns takes D,N,E,H or D,N,E,H,SDN,SDE,SDH"));
            for (int i = 0; i < o.columns->size(); ++i) {
                const int c = o.columns->at(i);
                if (c < 0 || c > 99 || (c == 0 && i >= 1 && i <= 3))
                    return bad(tr("--columns: N, E and H need a column from 1 to 99, the "
                                  "others 0 to 99"));
            }
        } else if (arg == QLatin1String("--first-row")) {
            o.firstRowAuto = value == QLatin1String("auto");
            o.firstRow = o.firstRowAuto ? std::nullopt : toInt(value);
            if (!o.firstRowAuto && (!o.firstRow || *o.firstRow < 1))
                return bad(tr("--first-row takes a line number of the file (from 1) or auto"));
        } else if (arg == QLatin1String("--offset")) {
            o.offset = toInts(value, 3, 3);
            if (!o.offset)
                return bad(tr("--offset takes A,B,Z in millimetres"));
        } else if (arg == QLatin1String("--lever-arm")) {
            if (value != QLatin1String("aircraft") && value != QLatin1String("design"))
                return bad(tr("--lever-arm takes aircraft or design"));
            o.leverArmDesign = value == QLatin1String("design");
        } else if (arg == QLatin1String("--split-folders")) {
            o.splitFolders = true;
        } else if (arg == QLatin1String("--pix4d")) {
            o.pix4d = true;
        } else if (arg == QLatin1String("--out-delimiter")) {
            const QStringList names{"first", "last", "tab", "semicolon", "comma", "whitespace"};
            if (!names.contains(value))
                return bad(tr("--out-delimiter takes first, last, tab, semicolon, comma or "
                              "whitespace"));
            o.outDelimiter = names.indexOf(value);
        } else if (arg == QLatin1String("--split-gap")) {
            o.splitGap = toInt(value);
            if (!o.splitGap || *o.splitGap < 0 || *o.splitGap > 65535)
                return bad(tr("--split-gap takes 0..65535 seconds"));
        } else if (arg == QLatin1String("--quarantine-filter")) {
            for (const QString &item : value.split(QLatin1Char(','))) {
                const QString name = item.section(QLatin1Char('='), 0, 0);
                const QString number = item.section(QLatin1Char('='), 1);
                const auto n = number.isEmpty() ? std::nullopt : toInt(number);
                if (!number.isEmpty() && !n)
                    return bad(tr("--quarantine-filter: %1 is not a number").arg(number));
                if (name == QLatin1String("distance")) {
                    o.filterDistance = true;
                    o.distance = n;
                } else if (name == QLatin1String("gimbal")) {
                    o.filterGimbal = true;
                    o.gimbal = n;
                } else if (name == QLatin1String("exposure") && number.isEmpty()) {
                    o.filterExposure = true;
                } else {
                    return bad(tr("--quarantine-filter takes distance[=M], gimbal[=DEG], "
                                  "exposure"));
                }
            }
        } else if (arg == QLatin1String("--no-check")) {
            o.noCheck = true;
        } else if (arg == QLatin1String("--drop-unmatched")) {
            if (o.command != Command::Process)
                return bad(tr("--drop-unmatched is an option of process"));
            o.dropUnmatched = true;
        } else if (arg.startsWith(QLatin1String("--"))) {
            return bad(tr("Unknown option %1").arg(arg));
        } else {
            if (o.blocks.isEmpty())
                return bad(tr("Photo %1 comes before any --timemarks").arg(arg));
            o.blocks.last().photos << arg;
        }
    }
    if (o.outDir.isEmpty() && o.command == Command::Process)
        return bad(tr("--out is required"));
    if (o.blocks.isEmpty())
        return bad(tr("At least one --timemarks FILE with photos is required"));
    return o;
}

#include "cli/commands.h"

namespace tavo::cli {

QString usage() {
    return QStringLiteral(
        "Usage: tavo [--dir FOLDER] [--print-dir FOLDER] [COMMAND [ARG...]]\n"
        "\n"
        "TAVO: ordine de plata si foi de varsamant (in relatia cu trezoreria statului).\n"
        "Without a command, opens the windows.\n"
        "\n"
        "Options:\n"
        "  --dir FOLDER        the working folder (default: the current folder)\n"
        "  --print-dir FOLDER  where headless printing writes PDF files (default: listari/)\n"
        "  --help              this text\n"
        "\n"
        "Commands:\n"
        "  list                start-up, then the list of documents, the count and NrO\n"
        "  calc OPERATION ARG  one operation of the library on its arguments\n"
        "  script [FILE]       plays the commands of FILE (or standard input) as a user would\n"
        "  print N [--copies 1|2] [--pdf FILE]\n"
        "                      prints the stored document N with its barcode (1 or 2 copies\n"
        "                      a page) to the print folder, or to FILE\n"
        "  text N              writes the text image of the stored document N (two copies)\n"
        "                      to LKELM.txt\n"
        "  package [--copies 1|2] --cif CODE --period dd/mm/yyyy-dd/mm/yyyy --type 1|2\n"
        "          [--interval n1/n2] [--view yes|no]\n"
        "                      prints every complete document of the payer, type, period\n"
        "                      and interval, with their text images in LKELM.txt\n"
        "  agentie NAME        writes agentie/tabela.txt and its copy agentie/NAME (upper\n"
        "                      case), the agency file sent by e-mail\n"
        "  borderou --cif CODE --period dd/mm/yyyy-dd/mm/yyyy [--type 1|2|3] [--multi-iban]\n"
        "                      writes the payment summary of the payer and period to\n"
        "                      Borderou.txt (type 1 OP, 2 FV, 3 both; --multi-iban: payment\n"
        "                      orders with each payer IBAN, \"Borderou (2) OP\")\n"
        "\n"
        "Exit status: 0 done, 1 failed, 2 wrong command line, 3 a question had no answer.\n");
}

}  // namespace tavo::cli

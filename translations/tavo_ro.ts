<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>Failure</name>
    <message>
        <source>tavo: the working folder does not exist: %1</source>
        <translation>tavo: dosarul de lucru nu există: %1</translation>
    </message>
    <message>
        <source>there is no default printer</source>
        <translation>nu există o imprimantă implicită</translation>
    </message>
    <message>
        <source>there is no printer &apos;%1&apos;</source>
        <translation>nu există imprimanta „%1”</translation>
    </message>
    <message>
        <source>%1: nothing was printed</source>
        <translation>%1: nu s-a listat nimic</translation>
    </message>
    <message>
        <source>the printer &apos;%1&apos; did not take the pages</source>
        <translation>imprimanta „%1” nu a primit paginile</translation>
    </message>
    <message>
        <source>tavo agentie: there is no ordine.txt in %1</source>
        <translation>tavo agentie: nu există ordine.txt în %1</translation>
    </message>
    <message>
        <source>tavo agentie: the name is empty; only agentie/tabela.txt was written</source>
        <translation>tavo agentie: numele este gol; s-a scris doar agentie/tabela.txt</translation>
    </message>
    <message>
        <source>tavo agentie: no agency file was written</source>
        <translation>tavo agentie: nu s-a scris niciun fișier al agențiilor</translation>
    </message>
    <message>
        <source>tavo print: document %1 was not printed</source>
        <translation>tavo print: documentul %1 nu a fost listat</translation>
    </message>
    <message>
        <source>tavo script: cannot read standard input</source>
        <translation>tavo script: intrarea standard nu poate fi citită</translation>
    </message>
    <message>
        <source>tavo script: cannot read %1</source>
        <translation>tavo script: %1 nu poate fi citit</translation>
    </message>
    <message>
        <source>tavo script: line %1: %2</source>
        <translation>tavo script: linia %1: %2</translation>
    </message>
    <message>
        <source>tavo text: %1 was not written</source>
        <translation>tavo text: %1 nu a fost scris</translation>
    </message>
    <message>
        <source>tavo: another copy of the program is working in %1</source>
        <translation>tavo: o altă copie a programului lucrează în %1</translation>
    </message>
    <message>
        <source>tavo %1: there is no document %2</source>
        <translation>tavo %1: nu există documentul %2</translation>
    </message>
    <message>
        <source>tavo borderou: the period &apos;%1&apos; is not two dates</source>
        <translation>tavo borderou: perioada &apos;%1&apos; nu este formată din două date</translation>
    </message>
    <message>
        <source>tavo package: the period &apos;%1&apos; is not two dates</source>
        <translation>tavo package: perioada &apos;%1&apos; nu este formată din două date</translation>
    </message>
    <message>
        <source>tavo %1: the command does not answer the question: %2</source>
        <translation>tavo %1: comanda nu răspunde la întrebarea: %2</translation>
    </message>
    <message>
        <source>tavo export: the period &apos;%1&apos; is not two dates</source>
        <translation>tavo export: perioada &apos;%1&apos; nu este formată din două date</translation>
    </message>
    <message>
        <source>tavo export: %1: %2</source>
        <translation>tavo export: %1: %2</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>no item of %1 begins with &apos;%2&apos;</source>
        <translation>niciun element din %1 nu începe cu „%2”</translation>
    </message>
    <message>
        <source>bad item number &apos;%1&apos;</source>
        <translation>număr de element greșit „%1”</translation>
    </message>
    <message>
        <source>hidden</source>
        <translation>ascunsă</translation>
    </message>
    <message>
        <source>no window &apos;%1&apos;</source>
        <translation>nu există fereastra „%1”</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not WINDOW.NAME</source>
        <translation>„%1” nu este FEREASTRĂ.NUME</translation>
    </message>
    <message>
        <source>&apos;%1&apos; needs a control</source>
        <translation>„%1” cere un control</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comandă necunoscută „%1”</translation>
    </message>
    <message>
        <source>the window %1 is %2</source>
        <translation>fereastra %1 este %2</translation>
    </message>
    <message>
        <source>%1 has no control &apos;%2&apos; for this command</source>
        <translation>%1 nu are controlul „%2” pentru această comandă</translation>
    </message>
    <message>
        <source>%1 is hidden</source>
        <translation>%1 este ascuns</translation>
    </message>
    <message>
        <source>%1 has %2 items</source>
        <translation>numărul elementelor din %1 este %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a day dd/mm/yyyy</source>
        <translation>„%1” nu este o zi zz/ll/aaaa</translation>
    </message>
    <message>
        <source>not open</source>
        <translation>închisă</translation>
    </message>
</context>
<context>
    <name>Usage</name>
    <message>
        <source>OPERATION is one of:</source>
        <translation>OPERAȚIE este una dintre:</translation>
    </message>
    <message>
        <source>start-up, then the list of documents, the count and NrO</source>
        <translation>pornirea, apoi lista documentelor, numărul lor și NrO</translation>
    </message>
    <message>
        <source>OPERATION</source>
        <translation>OPERAȚIE</translation>
    </message>
    <message>
        <source>OPERATION [ARG...]</source>
        <translation>OPERAȚIE [ARG...]</translation>
    </message>
    <message>
        <source>one operation of the library on its arguments;</source>
        <translation>o operație a bibliotecii asupra argumentelor ei;</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FIȘIER</translation>
    </message>
    <message>
        <source>[FILE]</source>
        <translation>[FIȘIER]</translation>
    </message>
    <message>
        <source>plays the commands of FILE (or standard input) as a
user would</source>
        <translation>execută comenzile din FIȘIER (sau de la intrarea
standard) așa cum le-ar face un utilizator</translation>
    </message>
    <message>
        <source>N [--copies 1|2] [--pdf FILE | --printer NAME]</source>
        <translation>N [--copies 1|2] [--pdf FIȘIER | --printer NUME]</translation>
    </message>
    <message>
        <source>prints the stored document N with its barcode (1 or 2
copies a page) to the print folder, to FILE, or to the
printer queue NAME (default: the default queue)</source>
        <translation>listează documentul salvat N cu codul său de bare (1 sau
2 exemplare pe pagină) în dosarul de listare, în FIȘIER
sau pe coada de imprimare NUME (default: cea implicită)</translation>
    </message>
    <message>
        <source>writes the text image of the stored document N (two
copies) to LKELM.txt</source>
        <translation>scrie imaginea text a documentului salvat N (în două
exemplare) în LKELM.txt</translation>
    </message>
    <message>
        <source>[--copies 1|2] --cif CODE --period dd/mm/yyyy-dd/mm/yyyy
--type 1|2 [--interval n1/n2] [--view yes|no]</source>
        <translation>[--copies 1|2] --cif COD --period zz/ll/aaaa-zz/ll/aaaa
--type 1|2 [--interval n1/n2] [--view yes|no]</translation>
    </message>
    <message>
        <source>prints every complete document of the payer, type,
period and interval, with their text images in
LKELM.txt</source>
        <translation>listează toate documentele complete ale plătitorului,
tipului, perioadei și intervalului, cu imaginile lor
text în LKELM.txt</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NUME</translation>
    </message>
    <message>
        <source>writes agentie/tabela.txt and its copy agentie/NAME
(upper case), the agency file sent by e-mail</source>
        <translation>scrie agentie/tabela.txt și copia ei agentie/NUME (cu
majuscule), fișierul agențiilor trimis prin e-mail</translation>
    </message>
    <message>
        <source>--cif CODE --period dd/mm/yyyy-dd/mm/yyyy
[--type 1|2|3 | --multi-iban]</source>
        <translation>--cif COD --period zz/ll/aaaa-zz/ll/aaaa
[--type 1|2|3 | --multi-iban]</translation>
    </message>
    <message>
        <source>writes the payment summary of the payer and period to
Borderou.txt (type 1 OP, 2 FV, 3 both; --multi-iban:
payment orders with each payer IBAN, &quot;Borderou (2) OP&quot;)</source>
        <translation>scrie borderoul plătitorului pe perioadă în Borderou.txt
(tipul 1 OP, 2 FV, 3 ambele; --multi-iban: ordinele de
plată pe fiecare IBAN plătitor, „Borderou (2) OP”)</translation>
    </message>
    <message>
        <source>COMMAND</source>
        <translation>COMANDĂ</translation>
    </message>
    <message>
        <source>[COMMAND]</source>
        <translation>[COMANDĂ]</translation>
    </message>
    <message>
        <source>the whole usage, or the usage of COMMAND</source>
        <translation>utilizarea completă sau cea a comenzii COMANDĂ</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 sau %2</translation>
    </message>
    <message>
        <source>%1 takes %2, not &apos;%3&apos;</source>
        <translation>%1 primește %2, nu „%3”</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 este gol</translation>
    </message>
    <message>
        <source>%1 is a document number (1, 2...), not &apos;%2&apos;</source>
        <translation>%1 este un număr de document (1, 2...), nu „%2”</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opțiune necunoscută „%1”</translation>
    </message>
    <message>
        <source>the option %1 is given twice</source>
        <translation>opțiunea %1 este dată de două ori</translation>
    </message>
    <message>
        <source>the option %1 takes no value</source>
        <translation>opțiunea %1 nu primește o valoare</translation>
    </message>
    <message>
        <source>the option %1 needs a value</source>
        <translation>opțiunea %1 cere o valoare</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>lipsește %1</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument neașteptat „%1”</translation>
    </message>
    <message>
        <source>the option %1 is required</source>
        <translation>opțiunea %1 este obligatorie</translation>
    </message>
    <message>
        <source>%1 and %2 cannot be given together</source>
        <translation>%1 și %2 nu pot fi date împreună</translation>
    </message>
    <message>
        <source>unknown command &apos;%1&apos;</source>
        <translation>comandă necunoscută „%1”</translation>
    </message>
    <message>
        <source>unknown operation &apos;%1&apos;</source>
        <translation>operație necunoscută „%1”</translation>
    </message>
    <message>
        <source>%1 takes 1 argument, not %2</source>
        <translation>%1 primește un argument, nu %2</translation>
    </message>
    <message>
        <source>%1 takes %2 arguments, not %3</source>
        <translation>%1 primește %2 argumente, nu %3</translation>
    </message>
    <message>
        <source>Usage: tavo [--dir FOLDER] [--print-dir FOLDER] [COMMAND [ARG...]]
       tavo --version | --help | COMMAND --help

TAVO: ordine de plata si foi de varsamant (in relatia cu trezoreria statului).
Without a command, opens the windows.

Options:
  --dir FOLDER        the working folder (default: the current folder)
  --print-dir FOLDER  where headless printing writes PDF files (default: listari/)
  --version           the version of the program
  --help              this text

Commands:
</source>
        <translation>Utilizare: tavo [--dir DOSAR] [--print-dir DOSAR] [COMANDĂ [ARG...]]
           tavo --version | --help | COMANDĂ --help

TAVO: ordine de plată și foi de vărsământ (în relația cu trezoreria statului).
Fără comandă, deschide ferestrele.

Opțiuni:
  --dir DOSAR         dosarul de lucru (implicit: dosarul curent)
  --print-dir DOSAR   dosarul PDF-urilor listate fără ferestre (implicit: listari/)
  --version           versiunea programului
  --help              acest text

Comenzi:
</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 failed, 2 wrong command line, 3 a question had no answer.
</source>
        <translation>Cod de ieșire: 0 reușit, 1 eșuat, 2 linie de comandă greșită, 3 o întrebare nu
a avut răspuns.
</translation>
    </message>
    <message>
        <source>Usage: tavo %1</source>
        <translation>Utilizare: tavo %1</translation>
    </message>
    <message>
        <source>Try &apos;tavo --help&apos;.</source>
        <translation>Încercați „tavo --help”.</translation>
    </message>
    <message>
        <source>FILE [--cif CODE] [--period dd/mm/yyyy-dd/mm/yyyy]
[--type 1|2|3] [--format excel|csv]</source>
        <translation>FIȘIER [--cif COD] [--period zz/ll/aaaa-zz/ll/aaaa]
[--type 1|2|3] [--format excel|csv]</translation>
    </message>
    <message>
        <source>writes the stored documents (of the payer, period and
type when given) to FILE as a table: for a spreadsheet
(excel, the default) or for programs (csv)</source>
        <translation>scrie documentele salvate (ale plătitorului, perioadei și
tipului date) în FIȘIER ca tabel: pentru foi de calcul
(excel, implicit) sau pentru programe (csv)</translation>
    </message>
    <message>
        <source>FILE [--dry-run] [--yes] | --model</source>
        <translation>FIȘIER [--dry-run] [--yes] | --model</translation>
    </message>
    <message>
        <source>checks every row of the table of payments FILE (CSV)
as the entry window would and prints the report, then
asks to save the accepted rows (--yes: Da; --dry-run:
only checks); --model writes model-import.csv</source>
        <translation>verifică fiecare rând al tabelului de plăți FIȘIER
(CSV) ca macheta de introducere și scrie raportul, apoi
întreabă dacă salvează rândurile acceptate (--yes: Da;
--dry-run: doar verifică); --model scrie model-import.csv</translation>
    </message>
</context>
</TS>

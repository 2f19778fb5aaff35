#pragma once

#include <string_view>

namespace torvanel {

// The instructions TESTO holds as the window is built: UTF-8, lines ended by
// CR LF (the last one too). Runs of blanks and trailing blanks are part of the text.
inline constexpr std::string_view kHelpText =
    "Questo mini programma permette tre semplici calcoli sulla legge di OHM.\r\n"
    "I tre bottoni posti sulla sinistra  permettono di  selezionare  il  dato   da \r\n"
    "calcolare. Inserite quindi sulle caselle di colore bianco i due dati noti e dopo\r\n"
    "aver pigiato il tasto \"calcolo\" verrà visualizzato  il risultato sulla relativa \r\n"
    "colonna.\r\n"
    "La casella di colore rosso indica di non essere attiva per l'operazione \r\n"
    "richiesta.\r\n"
    "\r\n"
    "TORVANEL, calcolatore della legge di Ohm     VER. 1.0  GIUGNO 2000\r\n";

} // namespace torvanel

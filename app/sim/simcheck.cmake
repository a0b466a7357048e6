# Checks of zelbo-sim, run by CTest as
#   cmake -DSIM=<zelbo-sim> -DMODE=<mode> -DSCRATCH=<empty dir to use> -P simcheck.cmake
#   same_seed      two runs of --games 3 --seed 42 print the same, seconds aside, and every
#                  line has its documented form and adds up (40 cards a hand, 3 games)
#   bad_arguments  each bad command line exits with status 2, a one-line error and no file
#   help           --help exits 0 and names every option
#   levels         --cpu normal --human random is the default; --human normal plays other
#                  games of the same form, checked, with no think times; Difícil in either
#                  seat plays checked games of the same form, the same for the same seed,
#                  with think times
#   recorded       --games 2 --seed 7 prints what RECORDED holds, seconds aside. That
#                  file was recorded from a run; it changes, and must be recorded again,
#                  whenever the card order, the draw, the CPU's rule or the random
#                  human's choices change.
#   preferences_untouched  a run neither creates nor changes anything beside the program,
#                  the player's lastprop.dat included
#   save_load      games saved after K moves load back to the same position; every save
#                  holds one line per dealt card plus 58
#   resave         loading a saved game and saving it again gives the same bytes
#   damaged        a truncated file, a card 41, an empty or a missing file: status 1, the
#                  game's "Error leyendo archivo", and nothing saved; a save into a missing
#                  folder: status 1 and "Error escribiendo archivo"
#   first_deal     a save right after the first deal has 68 lines, whoever played first
#   check          --check --games 200 finds no fault and saw every move, deal and hand

set(LOAD_ERROR "Error leyendo archivo")
set(SAVE_ERROR "Error escribiendo archivo")
set(POSITION "^ok dealt=([0-9]+) table=([0-9]+) cpu=([0-9]+)/([0-9]+) human=([0-9]+)/([0-9]+)\n$")

function(run_sim out_var)
    execute_process(COMMAND ${SIM} ${ARGN}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "zelbo-sim ${ARGN} exited with ${rc}: ${err}")
    endif()
    string(REGEX REPLACE "seconds=[0-9]+\\.[0-9]+" "seconds=*" out "${out}")
    set(${out_var} "${out}" PARENT_SCOPE)
endfunction()

function(check_form output games)
    string(REGEX REPLACE "\n$" "" output "${output}")
    string(REPLACE "\n" ";" lines "${output}")
    list(POP_BACK lines summary)
    set(hands 0)
    foreach(line IN LISTS lines)
        math(EXPR hands "${hands} + 1")
        if(NOT line MATCHES "^hand ([0-9]+): cpu=([0-9]+) human=([0-9]+) table=([0-9]+) winner=(cpu|human|tie)$")
            message(FATAL_ERROR "bad hand line: '${line}'")
        endif()
        math(EXPR cards "${CMAKE_MATCH_2} + ${CMAKE_MATCH_3} + ${CMAKE_MATCH_4}")
        if(NOT CMAKE_MATCH_1 EQUAL hands OR NOT cards EQUAL 40)
            message(FATAL_ERROR "hand line out of order or not 40 cards: '${line}'")
        endif()
    endforeach()
    if(NOT summary MATCHES "^games=${games} hands=${hands} cpu_games=([0-9]+) human_games=([0-9]+) seconds=\\*$")
        message(FATAL_ERROR "bad summary line: '${summary}' after ${hands} hands")
    endif()
    math(EXPR won "${CMAKE_MATCH_1} + ${CMAKE_MATCH_2}")
    if(NOT won EQUAL games)
        message(FATAL_ERROR "games won do not add up: '${summary}'")
    endif()
endfunction()

# Saves after <moves> of the human's moves; checks the position line, which must
# account for every dealt card, and sets <dealt_var> to the dealt count.
function(save_after seed moves file position_var dealt_var)
    run_sim(out --seed ${seed} --moves ${moves} --save ${file})
    if(NOT out MATCHES "${POSITION}")
        message(FATAL_ERROR "--moves ${moves} --save printed '${out}'")
    endif()
    math(EXPR placed "${CMAKE_MATCH_2} + ${CMAKE_MATCH_3} + ${CMAKE_MATCH_4} + ${CMAKE_MATCH_5} + ${CMAKE_MATCH_6}")
    if(NOT placed EQUAL CMAKE_MATCH_1)
        message(FATAL_ERROR "--moves ${moves}: ${placed} cards placed, ${CMAKE_MATCH_1} dealt: ${out}")
    endif()
    set(${position_var} "${out}" PARENT_SCOPE)
    set(${dealt_var} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()

# The number of CRLF-ended lines in a file, failing on a line ended otherwise.
function(count_lines file out_var)
    file(READ ${file} bytes HEX)
    string(REGEX MATCHALL "0d0a" crlf "${bytes}")
    string(REGEX MATCHALL "0a" lf "${bytes}")
    list(LENGTH crlf n)
    list(LENGTH lf all)
    if(NOT n EQUAL all OR NOT bytes MATCHES "0d0a$")
        message(FATAL_ERROR "${file}: a line does not end with CR LF")
    endif()
    set(${out_var} ${n} PARENT_SCOPE)
endfunction()

# zelbo-sim <args> must exit with <status>, print nothing on stdout and one line
# on stderr that holds <text>.
function(expect_failure status text)
    execute_process(COMMAND ${SIM} ${ARGN}
        RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    string(REGEX REPLACE "\n$" "" err "${err}")
    string(FIND "${err}" "${text}" at)
    if(NOT rc EQUAL status OR at EQUAL -1 OR err MATCHES "\n" OR NOT out STREQUAL "")
        message(FATAL_ERROR "'${ARGN}': status ${rc}, stderr '${err}', stdout '${out}'")
    endif()
endfunction()

function(check_bad_arguments)
    set(f ${SCRATCH}/f.dat)
    foreach(args "--games;abc" "--games;0" "--games;-2" "--seed;x1" "--bogus" "extra"
            "--moves;3" "--save;${f}" "--moves;-1;--save;${f}" "--moves;x;--save;${f}"
            "--moves;2;--load;${f};--save;${f}" "--games;2;--load;${f}"
            "--check;--moves;1;--save;${f}" "--games;2;--moves;1;--save;${f}"
            "--check;--load;${f}" "--load;" "--moves;1;--save;" "--save"
            "--cpu;fuerte" "--human;normal2" "--cpu" "--human;")
        expect_failure(2 "zelbo-sim: " ${args})
        if(EXISTS ${f})
            message(FATAL_ERROR "'${args}' wrote ${f}")
        endif()
    endforeach()
endfunction()

# The levels: --cpu normal --human random is the default game; the Normal rule in
# the human's seat plays other games, in the same form, with no think times
# (no Difícil player is at the table). Difícil in either seat plays checked games
# of that form, the same ones again from the same seed, and adds its think times.
function(check_levels)
    run_sim(default --games 20 --seed 5)
    run_sim(explicit --games 20 --seed 5 --cpu normal --human random)
    if(NOT default STREQUAL explicit)
        message(FATAL_ERROR "--cpu normal --human random differs from the default")
    endif()
    run_sim(normal --games 20 --seed 5 --human normal --check)
    string(REGEX REPLACE "checked: [^\n]*\n$" "" normal "${normal}")
    check_form("${normal}" 20)
    if(normal STREQUAL default OR normal MATCHES "think_ms")
        message(FATAL_ERROR "--human normal played the random human's games:\n${normal}")
    endif()
    run_sim(default --games 3 --seed 5)
    set(think " think_ms_p50=[0-9]+\\.[0-9][0-9][0-9] think_ms_max=[0-9]+\\.[0-9][0-9][0-9]\n")
    foreach(seats "--cpu;dificil;--human;random" "--cpu;normal;--human;dificil")
        run_sim(first --games 3 --seed 5 ${seats} --check)
        run_sim(again --games 3 --seed 5 ${seats} --check)
        if(NOT first MATCHES "${think}")
            message(FATAL_ERROR "'${seats}' printed no think times:\n${first}")
        endif()
        string(REGEX REPLACE "${think}" "\n" first "${first}")
        string(REGEX REPLACE "${think}" "\n" again "${again}")
        if(NOT first STREQUAL again)
            message(FATAL_ERROR "'${seats}' played other games from the same seed")
        endif()
        string(REGEX REPLACE "checked: [^\n]*\n$" "" first "${first}")
        check_form("${first}" 3)
        if(first STREQUAL default)
            message(FATAL_ERROR "'${seats}' played the default games:\n${first}")
        endif()
    endforeach()
endfunction()

function(check_help)
    run_sim(out --help)
    foreach(option --games --seed --check --moves --save --load --cpu --human --help)
        string(FIND "${out}" "${option}" at)
        if(at EQUAL -1)
            message(FATAL_ERROR "--help does not name ${option}:\n${out}")
        endif()
    endforeach()
endfunction()

# A copy of the program beside its card set: the run must leave that folder as it was.
function(check_preferences_untouched)
    get_filename_component(bin_dir ${SIM} DIRECTORY)
    set(prog ${SCRATCH}/program)
    file(COPY ${SIM} ${bin_dir}/naipe40.db DESTINATION ${prog})
    get_filename_component(name ${SIM} NAME)
    foreach(prefs none damaged)
        if(prefs STREQUAL "damaged")
            file(WRITE ${prog}/lastprop.dat "not the player's preferences\r\n")
            file(SHA256 ${prog}/lastprop.dat written)
        endif()
        file(GLOB_RECURSE before LIST_DIRECTORIES true ${prog}/*)
        file(SHA256 ${prog}/naipe40.db db_before)
        execute_process(COMMAND ${prog}/${name} --games 2 --seed 5
            RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
        file(GLOB_RECURSE after LIST_DIRECTORIES true ${prog}/*)
        file(SHA256 ${prog}/naipe40.db db_after)
        if(NOT rc EQUAL 0 OR NOT err STREQUAL "" OR NOT before STREQUAL after
                OR NOT db_before STREQUAL db_after)
            message(FATAL_ERROR "lastprop.dat ${prefs}: status ${rc}, stderr '${err}', "
                "files before '${before}', after '${after}'")
        endif()
    endforeach()
    file(SHA256 ${prog}/lastprop.dat kept)
    if(NOT kept STREQUAL written)
        message(FATAL_ERROR "the player's lastprop.dat changed")
    endif()
endfunction()

# Within the first hand each player gets three cards a deal, so after K moves of the
# human 10 + 6 * (K / 3) cards are dealt; later the moves cross hands and games.
function(check_save_load)
    foreach(k 0 1 2 3 5 8 16 17 40 61 150 300)
        set(file ${SCRATCH}/k${k}.dat)
        save_after(11 ${k} ${file} saved dealt)
        if(k LESS 18)
            math(EXPR expected "10 + 6 * (${k} / 3)")
            if(NOT dealt EQUAL expected)
                message(FATAL_ERROR "--moves ${k}: ${dealt} cards dealt, not ${expected}")
            endif()
        endif()
        count_lines(${file} lines)
        math(EXPR expected "58 + ${dealt}")
        if(NOT lines EQUAL expected)
            message(FATAL_ERROR "${file}: ${lines} lines, not ${expected} for ${dealt} dealt")
        endif()
        run_sim(loaded --seed 99 --load ${file})
        if(NOT loaded STREQUAL saved)
            message(FATAL_ERROR "--moves ${k}: saved '${saved}', loaded '${loaded}'")
        endif()
    endforeach()
endfunction()

function(check_resave)
    foreach(k 0 4 40 150)
        save_after(23 ${k} ${SCRATCH}/a${k}.dat saved dealt)
        run_sim(loaded --load ${SCRATCH}/a${k}.dat --save ${SCRATCH}/b${k}.dat)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
            ${SCRATCH}/a${k}.dat ${SCRATCH}/b${k}.dat RESULT_VARIABLE differ)
        if(differ OR NOT loaded STREQUAL saved)
            message(FATAL_ERROR "--moves ${k}: saved again differs, or loaded '${loaded}' "
                "after saving '${saved}'")
        endif()
    endforeach()
endfunction()

# Writes damaged copies of a good save beside it, built line by line (file(READ)
# would drop the CRs): truncated.dat, card41.dat and empty.dat.
function(write_damaged_copies good)
    file(STRINGS ${good} lines)
    list(LENGTH lines count)
    # Rebuilt unchanged, the copy is the same file: the damage below is all there is.
    list(JOIN lines "\r\n" rebuilt)
    file(WRITE ${SCRATCH}/rebuilt.dat "${rebuilt}\r\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${good} ${SCRATCH}/rebuilt.dat
        RESULT_VARIABLE differ)
    if(differ)
        message(FATAL_ERROR "${good} cannot be rebuilt from its lines")
    endif()
    # The first half of the lines, then half an item.
    math(EXPR half "${count} / 2")
    list(SUBLIST lines 0 ${half} kept)
    list(JOIN kept "\r\n" truncated)
    file(WRITE ${SCRATCH}/truncated.dat "${truncated}\r\n\"1")
    # The first card entry of the file becomes card 41.
    math(EXPR last "${count} - 1")
    foreach(i RANGE ${last})
        list(GET lines ${i} line)
        if(line MATCHES "^\"[0-9]+\"$")
            list(REMOVE_AT lines ${i})
            list(INSERT lines ${i} "\"41\"")
            break()
        endif()
    endforeach()
    list(JOIN lines "\r\n" card41)
    file(WRITE ${SCRATCH}/card41.dat "${card41}\r\n")
    file(WRITE ${SCRATCH}/empty.dat "")
endfunction()

function(check_damaged)
    set(good ${SCRATCH}/good.dat)
    save_after(5 4 ${good} saved dealt)
    write_damaged_copies(${good})
    # After the player's message, the reason: where the file went wrong, or why
    # the game refuses what it holds.
    set(reason_truncated "${LOAD_ERROR} (line ")
    set(reason_card41 "${LOAD_ERROR} (a card list names no card of the deck)")
    set(reason_empty "${LOAD_ERROR} (line 1: item 1: the file ends before the item asked for)")
    set(reason_missing "${LOAD_ERROR} (cannot be opened: ")
    foreach(name truncated card41 empty missing)
        set(out ${SCRATCH}/${name}.out.dat)
        expect_failure(1 "${reason_${name}}" --load ${SCRATCH}/${name}.dat)
        expect_failure(1 "${LOAD_ERROR}" --load ${SCRATCH}/${name}.dat --save ${out})
        if(EXISTS ${out})
            message(FATAL_ERROR "a refused ${name} file was saved again")
        endif()
    endforeach()
    run_sim(loaded --load ${good})
    if(NOT loaded STREQUAL saved)
        message(FATAL_ERROR "the undamaged file loads as '${loaded}', not '${saved}'")
    endif()
    foreach(args "--moves;2" "--load;${good}")
        expect_failure(1 "${SAVE_ERROR}" ${args} --save ${SCRATCH}/no/folder/f.dat)
    endforeach()
endfunction()

# Seeds 1 to 8 give both openings: the human to play first (3 cards each in hand)
# and the CPU having played first (2 in its hand).
function(check_first_deal)
    set(openings "")
    foreach(seed RANGE 1 8)
        set(file ${SCRATCH}/seed${seed}.dat)
        save_after(${seed} 0 ${file} saved dealt)
        count_lines(${file} lines)
        if(NOT lines EQUAL 68)
            message(FATAL_ERROR "seed ${seed}: ${lines} lines after the first deal, not 68")
        endif()
        string(REGEX MATCH "cpu=[0-9]" cpu "${saved}")
        list(APPEND openings ${cpu})
    endforeach()
    list(REMOVE_DUPLICATES openings)
    list(SORT openings)
    if(NOT openings STREQUAL "cpu=2;cpu=3")
        message(FATAL_ERROR "seeds 1 to 8 do not give both openings: ${openings}")
    endif()
endfunction()

function(check_check)
    run_sim(out --check --games 200 --seed 1)
    string(REGEX MATCH "checked: moves=([0-9]+) deals=([0-9]+) hands=([0-9]+)\n$" checked "${out}")
    if(NOT checked)
        message(FATAL_ERROR "no 'checked:' line at the end:\n${out}")
    endif()
    set(moves ${CMAKE_MATCH_1})
    set(deals ${CMAKE_MATCH_2})
    set(hands ${CMAKE_MATCH_3})
    string(REPLACE "${checked}" "" games_out "${out}")
    check_form("${games_out}" 200)
    # Every hand: 36 cards played one per move (4 start on the table), in six deals.
    math(EXPR expected_moves "36 * ${hands}")
    math(EXPR expected_deals "6 * ${hands}")
    if(NOT games_out MATCHES "hands=${hands} " OR NOT moves EQUAL expected_moves
            OR NOT deals EQUAL expected_deals)
        message(FATAL_ERROR "not every move, deal and hand was checked: ${checked}")
    endif()
endfunction()

file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
if(MODE STREQUAL "same_seed")
    run_sim(first --games 3 --seed 42)
    run_sim(second --games 3 --seed 42)
    if(NOT first STREQUAL second)
        message(FATAL_ERROR "same seed, different output:\n${first}\n---\n${second}")
    endif()
    check_form("${first}" 3)
elseif(MODE STREQUAL "recorded")
    run_sim(output --games 2 --seed 7)
    file(READ ${RECORDED} expected)
    if(NOT output STREQUAL expected)
        message(FATAL_ERROR "differs from ${RECORDED}:\n${output}")
    endif()
elseif(MODE MATCHES "^(bad_arguments|help|levels|preferences_untouched|save_load|resave|damaged|first_deal|check)$")
    cmake_language(CALL check_${MODE})
else()
    message(FATAL_ERROR "unknown MODE '${MODE}'")
endif()

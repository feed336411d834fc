# bash completion for cantrel-cli
_cantrel_cli()
{
    local cur prev words cword
    _init_completion || return

    local commands="info format ls extract html write clear rename copy-v2 undo"
    if ((cword == 1)); then
        COMPREPLY=($(compgen -W "$commands --help" -- "$cur"))
        return
    fi
    case $prev in
        --templates | --target)
            _filedir -d
            return
            ;;
        --case)
            COMPREPLY=($(compgen -W "none lower upper capitalize" -- "$cur"))
            return
            ;;
        --field)
            COMPREPLY=($(compgen -W "Track Artist Album Title Year Comment _TRASH" -- "$cur"))
            return
            ;;
        --locale)
            COMPREPLY=($(compgen -W "C" -- "$cur"))
            return
            ;;
        --sep | --mask | --replace | --title | --artist | --album | --year | --comment | --genre | --track)
            return
            ;;
    esac
    local options
    case ${words[1]} in
        info) options="--json" ;;
        format) options="--json --locale" ;;
        ls) options="--recursive --mask --events" ;;
        extract) options="--sep --field --path --clear --case --trim --replace --write" ;;
        html) options="--templates --target" ;;
        write) options="--title --artist --album --year --comment --genre --track" ;;
        clear) options="" ;;
        rename) options="--limit-64 --dry-run --json" ;;
        copy-v2) options="--dry-run --json" ;;
        undo) options="--list --dry-run --json" ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help --" -- "$cur"))
    elif [[ ${words[1]} == undo ]]; then
        # a batch number or an option: no file names
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    elif [[ ${words[1]} == ls ]]; then
        _filedir -d
    else
        _filedir mp3
    fi
} && complete -F _cantrel_cli cantrel-cli

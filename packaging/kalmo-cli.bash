# Bash completion of kalmo-cli. The subcommands and options are read from the
# program's own --help, so they follow the program without being listed here.

_kalmo_cli() {
    local cur prev command
    COMPREPLY=()
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD - 1]}

    case $prev in
        --pdf | --batch)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
            return
            ;;
    esac

    if [ "$COMP_CWORD" -eq 1 ]; then
        # The subcommands: the lines of the help's list, "  name  caption".
        local commands
        commands=$(kalmo-cli --help 2>/dev/null |
            sed -n '/^Podkomendy/,/^$/s/^  \([a-z][a-z0-9-]*\) .*/\1/p')
        COMPREPLY=($(compgen -W "$commands --help" -- "$cur"))
        return
    fi

    command=${COMP_WORDS[1]}
    if [[ $cur == -* || -z $cur ]]; then
        local options
        options=$(kalmo-cli "$command" --help 2>/dev/null |
            grep -o -- '^  --[a-z][a-z0-9-]*' | sed 's/^  //')
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    fi
}
complete -F _kalmo_cli kalmo-cli

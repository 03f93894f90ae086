# bash completion for quillmark-cli                          -*- shell-script -*-

# Completes one more item of a comma list, leaving out the items already given ($cur is
# the word being completed, from the caller).
_quillmark_cli_list()
{
    local head="" item
    [[ $cur == *,* ]] && head=${cur%,*},
    local -a left=()
    for item in "$@"; do
        [[ ",$head" == *",$item,"* ]] || left+=("$head$item")
    done
    COMPREPLY=($(compgen -W '"${left[@]}"' -- "$cur"))
}

_quillmark_cli()
{
    local cur prev words cword split
    _init_completion -s || return

    case $prev in
        --output)
            # "=" separates words for readline, so after "folder=" only the folder
            # part is replaced.
            case $cur in
                folder=*)
                    cur=${cur#folder=}
                    _filedir -d
                    ;;
                prefix=* | suffix=*) ;;
                *)
                    COMPREPLY=($(compgen -W 'overwrite folder= prefix= suffix=' -- "$cur"))
                    [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
                    ;;
            esac
            return
            ;;
        --remove)
            _quillmark_cli_list all exif gps thumbnail xmp iptc icc photoshop ifd0 geotiff app14 other
            return
            ;;
        --keep)
            # "none" is a value on its own, never an item of a list.
            if [[ $cur == none* ]]; then
                COMPREPLY=($(compgen -W 'none' -- "$cur"))
            elif [[ $cur == *,* ]]; then
                _quillmark_cli_list orientation color
            else
                COMPREPLY=($(compgen -W 'orientation color none orientation,color' -- "$cur"))
            fi
            return
            ;;
        --dates)
            COMPREPLY=($(compgen -W 'keep random' -- "$cur"))
            return
            ;;
        --move-failed)
            _filedir -d
            COMPREPLY+=($(compgen -W 'trash' -- "$cur"))
            return
            ;;
        --engine)
            COMPREPLY=($(compgen -W 'auto exiftool' -- "$cur"))
            return
            ;;
        --jobs)
            COMPREPLY=($(compgen -W "$(seq 1 "$(_ncpus)")" -- "$cur"))
            return
            ;;
        --report | --files-from)
            _filedir
            [[ $cur == - || -z $cur ]] && COMPREPLY+=(-)
            return
            ;;
    esac
    $split && return

    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W '--output --remove --keep --dates --move-failed
            --overwrite-existing --strict --settings --jobs --report --no-verify --engine
            --files-from --null --quiet --dry-run --show --help --help-all --version' -- "$cur"))
        return
    fi
    _filedir
} &&
    complete -F _quillmark_cli quillmark-cli

# ex: filetype=sh

# What zsh's completion offers for a quillmark-cli command line: an interactive zsh in a
# pseudo-terminal is typed the line and a Tab; every match the completion adds is written
# to a file, then printed sorted. $1: the completion folder, $2: a scratch folder, $3: the
# line after "quillmark-cli ".
zmodload zsh/zpty || exit 7
zpty z zsh -f -i
zpty -w z "PS1=''; fpath=(${(q)1} \$fpath); autoload -Uz compinit; compinit -u -d ${(q)2}/dump"
zpty -w z "compadd() { if [[ \${(j: :)@} == *-[OAD]* ]]; then builtin compadd \"\$@\"; return; fi;
  local -a h; builtin compadd -O h \"\$@\"; (( \$#h )) && print -rl -- \$h >> ${(q)2}/hits; builtin compadd \"\$@\"; }"
# The line is typed only once the set-up has run (its READY is read back, after the echo of
# the command): zsh does not complete input that arrived before its prompt.
zpty -w z "print READY"
zpty -r z out '*READY*READY*' || exit 8
zpty -w -n z "quillmark-cli $3"$'\t\C-u'
zpty -w z exit
while zpty -r z out; do :; done
[[ -f $2/hits ]] && sort -u $2/hits
exit 0
